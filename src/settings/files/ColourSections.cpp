#include "settings/files/ColourSections.h"

#include "editor/highlighting/Highlighter.h"
#include "settings/store/AppSettings.h"

namespace ColourSections {

namespace {
const QString Background = QStringLiteral("Background");
const QString Foreground = QStringLiteral("Foreground");
const QString Style = QStringLiteral("Style");
} // namespace

bool save(const Highlighter &highlighter, AppSettings &settings)
{
    AppSettings::Batch batch(settings);
    for (int i = 0; i < highlighter.attributeCount(); ++i) {
        const HighlighterAttribute a = highlighter.attribute(i);
        settings.writeInteger(a.name, Background, a.background.value());
        settings.writeInteger(a.name, Foreground, a.foreground.value());
        settings.writeInteger(a.name, Style, a.style);
    }
    return batch.commit();
}

void load(Highlighter &highlighter, const AppSettings &settings)
{
    for (int i = 0; i < highlighter.attributeCount(); ++i) {
        const HighlighterAttribute a = highlighter.attribute(i);
        if (settings.readSection(a.name).isEmpty())
            continue;
        const TColor background(settings.readInteger(a.name, Background, a.background.value()));
        const TColor foreground(settings.readInteger(a.name, Foreground, a.foreground.value()));
        const int style = settings.readInteger(a.name, Style, a.style) & 0x0F;
        if (background != a.background || foreground != a.foreground || style != a.style)
            highlighter.setAttribute(i, foreground, background, style);
    }
}

} // namespace ColourSections
