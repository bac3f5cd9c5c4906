#include "html/scripts/BrowserInfoWizard.h"

#include "html/text/ScriptTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

TNettleserInfFrm::TNettleserInfFrm(const WizardHost &host, QWidget *parent)
    : WizardDialog("NettleserInfFrm", QStringLiteral("Browser Information script"), QString(), host,
                   parent)
{
    const struct {
        QCheckBox **box;
        const char *name;
        const char *caption;
        const char *example;
    } rows[] = {
        {&CheckBox1, "CheckBox1", "Browser type", "e.g: Netscape"},
        {&CheckBox2, "CheckBox2", "Browser version", "e.g: 4.0"},
        {&CheckBox3, "CheckBox3", "Program code name", "e.g: Modzilla"},
        {&CheckBox4, "CheckBox4", "Platform", "e.g: Win32"},
        {&CheckBox5, "CheckBox5", "Language", "e.g: English"},
    };
    auto *grid = new QGridLayout;
    int row = 0;
    for (const auto &r : rows) {
        *r.box = named(new QCheckBox(QLatin1String(r.caption), this), r.name);
        grid->addWidget(*r.box, row, 0);
        grid->addWidget(new QLabel(QLatin1String(r.example), this), row, 1);
        ++row;
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtons({"Button1", nullptr, nullptr}));
}

void TNettleserInfFrm::Button1Click()
{
    using namespace ScriptTexts;
    QList<BrowserProperty> chosen;
    const std::pair<QCheckBox *, BrowserProperty> boxes[] = {
        {CheckBox1, BrowserType}, {CheckBox2, BrowserVersion}, {CheckBox3, CodeName},
        {CheckBox4, Platform},    {CheckBox5, Language},
    };
    for (const auto &[box, property] : boxes) {
        if (box->isChecked())
            chosen.append(property);
    }
    const QString text = browserInformation(chosen, caretIndent());
    if (!text.isEmpty())
        insert(text);
    close();
}
