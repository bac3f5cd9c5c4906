// The image size readers: any bytes as a GIF, a PNG and a JPEG file. Each ends, and a size
// is given only with the result that says it was measured (the GIF reader zeroes it first).
#include "FuzzSupport.h"
#include "html/text/ImgSize.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::file(Fuzz::bytes(data, size), QStringLiteral("picture"));
    using Reader = ImgSize::Result (*)(const QString &, quint16 &, quint16 &);
    const struct {
        Reader read;
        quint16 unmeasured; // what width and height hold when nothing was measured
    } readers[] = {
        {&ImgSize::GetGIFSize, 0}, {&ImgSize::GetPNGSize, 0xBEEF}, {&ImgSize::GetJPGSize, 0xBEEF}};
    for (const auto &r : readers) {
        quint16 width = 0xBEEF, height = 0xBEEF;
        const ImgSize::Result result = r.read(path, width, height);
        Fuzz::check(result != ImgSize::Result::OpenFailed, "an existing file opens");
        if (result != ImgSize::Result::Measured)
            Fuzz::check(width == r.unmeasured && height == r.unmeasured,
                        "no size is written unless measured");
    }
    return 0;
}
