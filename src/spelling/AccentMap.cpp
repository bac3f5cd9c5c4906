#include "spelling/AccentMap.h"

namespace AccentMap {

namespace {

// Windows-1250, bytes 0x80..0xFF.
const char16_t kCp1250High[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// The bytes that do not map to themselves, with their plain letter.
struct Mapped {
    unsigned char byte;
    char plain;
};
const Mapped kMapped[] = {
    {138, 'S'}, {140, 'S'}, {170, 'S'}, {141, 'T'}, {222, 'T'}, {142, 'Z'}, {143, 'Z'}, {175, 'Z'},
    {154, 's'}, {156, 's'}, {186, 's'}, {157, 't'}, {254, 't'}, {158, 'z'}, {159, 'z'}, {191, 'z'},
    {160, ' '}, {163, 'L'}, {188, 'L'}, {197, 'L'}, {165, 'A'}, {193, 'A'}, {194, 'A'}, {195, 'A'},
    {196, 'A'}, {185, 'a'}, {225, 'a'}, {226, 'a'}, {227, 'a'}, {228, 'a'}, {190, 'l'}, {229, 'l'},
    {192, 'R'}, {216, 'R'}, {198, 'C'}, {199, 'C'}, {200, 'C'}, {201, 'E'}, {202, 'E'}, {203, 'E'},
    {204, 'E'}, {205, 'I'}, {206, 'I'}, {207, 'D'}, {208, 'D'}, {209, 'N'}, {210, 'N'}, {211, 'O'},
    {212, 'O'}, {213, 'O'}, {214, 'O'}, {217, 'U'}, {218, 'U'}, {219, 'U'}, {220, 'U'}, {221, 'Y'},
    {224, 'r'}, {248, 'r'}, {230, 'c'}, {231, 'c'}, {232, 'c'}, {233, 'e'}, {234, 'e'}, {235, 'e'},
    {236, 'e'}, {237, 'i'}, {238, 'i'}, {239, 'd'}, {240, 'd'}, {241, 'n'}, {242, 'n'}, {243, 'o'},
    {244, 'o'}, {245, 'o'}, {246, 'o'}, {249, 'u'}, {250, 'u'}, {251, 'u'}, {252, 'u'}, {253, 'y'},
};

} // namespace

char16_t cp1250ToUnicode(unsigned char byte)
{
    return byte < 0x80 ? char16_t(byte) : kCp1250High[byte - 0x80];
}

char16_t stripAccent(char16_t c)
{
    if (c < 0x80)
        return c;
    for (const Mapped &m : kMapped) {
        if (kCp1250High[m.byte - 0x80] == c)
            return char16_t(m.plain);
    }
    return c;
}

QString stripAccents(const QString &s)
{
    QString out = s;
    for (QChar &c : out)
        c = QChar(stripAccent(c.unicode()));
    return out;
}

} // namespace AccentMap
