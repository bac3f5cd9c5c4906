#include "completion/HtmlAttributeTables.h"

#include <iterator>

namespace {

struct Row {
    const char *builder;
    const char *entries; // blank-separated; name=value stands for name="value"
};

// The lists, in the order of the tag patterns below that select them.
const Row rows[] = {
    {"FyllMedTbodyFootThreadParam",
     "align=left align=center align=right align=justify align=char bgcolor valign=top "
     "valign=middle valign=bottom valign=baseline"},
    {"FyllMedBodyParam", "background bgcolor alink link onload onunload text vlink"},
    {"FyllMedAppletParam",
     "align=left align=right align=top align=middle align=bottom alt code height width hspace "
     "vspace name onblur onfocus tabindex"},
    {"FyllMedAreaParam",
     "alt coords href nohref shape=default shape=rect shape=circle shape=poly target "
     "target=_blank target=_new target=_parent target=_self target=_top"},
    {"FyllMedAParam",
     "href name target target=_blank target=_new target=_parent target=_self target=_top"},
    {"FyllMedBaseFontParam", "size"},
    {"FyllMedBaseParam",
     "href target target=_blank target=_new target=_parent target=_self target=_top"},
    {"FyllMedCaptionParam", "align=top align=bottom align=left align=right"},
    {"FyllMedDivParam", "align=left align=right align=center align=justify"},
    {"FyllMedEmbedParam", "height width name param src"},
    {"FyllMedFontParam", "color face size"},
    {"FyllMedFormParam",
     "action enctype method=get method=post name onreset onsubmit target target=_blank "
     "target=_new target=_parent target=_self target=_top"},
    {"FyllMedFrameSetParam", "border bordercolor cols rows framespacing onload onunload"},
    {"FyllMedFrameParam",
     "bordercolor frameborder marginheight marginwidth name noresize scrolling=yes scrolling=no "
     "scrolling=auto src"},
    {"FyllMedAlignmentParam", "align=left align=right align=center"},
    {"FyllMedHRParam", "noshade size width align=left align=right align=center"},
    {"FyllMedImageParam",
     "alt border width height hspace vspace ismap lowsrc name src usemap loop align=left "
     "align=right align=center align=top align=texttop align=middle align=absmiddle "
     "align=bottom align=absbottom align=baseline"},
    {"FyllMedInputParam",
     "alt width height maxlength name size src type=button type=checkbox checked type=file "
     "type=hidden type=image type=password type=radio type=reset type=submit type=text value "
     "align=left align=right align=center align=top align=texttop align=middle align=absmiddle "
     "align=bottom align=absbottom align=baseline"},
    {"FyllMedLinkParam",
     "rel href media=screen media=print media=projection media=braille media=speech media=all "
     "type"},
    {"FyllMedMapParam", "name"},
    {"FyllMedMetaParam",
     "content http-equiv=copyright http-equiv=description http-equiv=expires "
     "http-equiv=keywords http-equiv=refresh http-equiv=reply-to url"},
    {"FyllMedOrderedListParam", "type=A type=a type=I type=i type=1 start"},
    {"FyllMedOptionParam", "value"},
    {"FyllMedObjectParam",
     "classid codebase data height width type align=left align=right align=center align=top "
     "align=middle align=bottom align=baseline align=texttop align=absmiddle align=absbottom"},
    {"FyllMedParamParameter", "name value"},
    {"FyllMedScriptParam", "language src"},
    {"FyllMedStyleParam", "type"},
    {"FyllMedSelectParam",
     "multiple name onblur onchange onfocus size align=left align=right align=top align=middle "
     "align=bottom"},
    {"FyllMedTableParam",
     "bgcolor border cellpadding cellspacing cols height width align=left align=right "
     "align=center"},
    {"FyllMedTdEllerThParam",
     "align=left align=right align=center bgcolor colspan rowspan width height nowrap "
     "valign=top valign=middle valign=bottom valign=baseline"},
    {"FyllMedTextareaParam",
     "cols rows name wrap=off wrap=virtual wrap=physical onblur onchange onfocus"},
    {"FyllMedTrParam",
     "align=left align=right align=center bgcolor valign=top valign=middle valign=bottom "
     "valign=baseline"},
    {"FyllMedUlListParam", "type=disc type=circle type=square"},
    {"FyllMedBgSoundParam", "loop loop=infinite src volume"},
    {"FyllMedIFrameParam",
     "align=bottom align=left align=middle align=right align=top frameborder height hspace "
     "marginheight marginwidth name scrolling src vspace width"},
    {"FyllMedILayerParam",
     "above background below bgcolor clip=bottom clip=left clip=right clip=top height left name "
     "onblur onfocus onload pagex pagey src top visibility=show visibility=hide "
     "visibility=inherit width z-index"},
    {"FyllMedLabelParam", "accesskey for onblur onfocus"},
    {"FyllMedButtonParam",
     "accesskey name onblur onfocus type=button type=submit type=reset usemap value"},
    {"FyllMedColgroupParam",
     "align=left align=center align=right span width valign=top valign=middle valign=bottom "
     "valign=baseline"},
    {"FyllMedLegendParam", "accesskey align=top align=bottom align=left align=right align=center"},
    {"FyllMedMarqueeParam",
     "align=top align=bottom align=middle behavior=scroll behavior=slide behavior=alternate "
     "bgcolor direction=left direction=right direction=down direction=up height width hspace "
     "vspace loop loop=infinite scrollamount scrolldelay"},
    {"FyllMedMulticolParam", "cols gutter width"},
    {"FyllMedSpacerParam",
     "align=left align=right align=top align=texttop align=middle align=absmiddle "
     "align=baseline align=bottom align=absbottom height width size type=horizontal "
     "type=vertical type=block"},
};
constexpr int rowTotal = int(std::size(rows));

// Rows by name, for the pattern table.
enum RowIndex {
    Tbody,
    Body,
    Applet,
    Area,
    A,
    BaseFont,
    Base,
    Caption,
    Div,
    Embed,
    Font,
    Form,
    FrameSet,
    Frame,
    Alignment,
    HR,
    Image,
    Input,
    Link,
    Map,
    Meta,
    OrderedList,
    Option,
    Object,
    Param,
    Script,
    Style,
    Select,
    Table,
    TdTh,
    Textarea,
    Tr,
    UlList,
    BgSound,
    IFrame,
    Layer,
    Label,
    Button,
    Colgroup,
    Legend,
    Marquee,
    Multicol,
    Spacer
};

static_assert(Spacer + 1 == rowTotal, "one row per list");

struct Pattern {
    const char *text;
    bool exact;
    RowIndex row;
};

// The order in which a tag text is tested. "<basefont" goes before "<base", "<frameset" before
// "<frame", the table sections before "<body"; "<col" also serves colgroup; "<p" comes after
// "<object" and before "<param".
const Pattern patterns[] = {
    {"<tbody", false, Tbody},
    {"<tfoot", false, Tbody},
    {"<thead", false, Tbody},
    {"<body", false, Body},
    {"<applet", false, Applet},
    {"<area", false, Area},
    {"<a", true, A},
    {"<basefont", false, BaseFont},
    {"<base", false, Base},
    {"<caption", false, Caption},
    {"<div", false, Div},
    {"<embed", false, Embed},
    {"<font", false, Font},
    {"<form", false, Form},
    {"<frameset", false, FrameSet},
    {"<frame", false, Frame},
    {"<h1", false, Alignment},
    {"<h2", false, Alignment},
    {"<h3", false, Alignment},
    {"<h4", false, Alignment},
    {"<h5", false, Alignment},
    {"<h6", false, Alignment},
    {"<hr", false, HR},
    {"<img", false, Image},
    {"<input", false, Input},
    {"<link", false, Link},
    {"<map", false, Map},
    {"<meta", false, Meta},
    {"<ol", false, OrderedList},
    {"<option", false, Option},
    {"<object", false, Object},
    {"<p", true, Alignment},
    {"<param", false, Param},
    {"<script", false, Script},
    {"<style", false, Style},
    {"<select", false, Select},
    {"<table", false, Table},
    {"<td", false, TdTh},
    {"<th", false, TdTh},
    {"<textarea", false, Textarea},
    {"<tr", false, Tr},
    {"<ul", false, UlList},
    {"<bgsound", false, BgSound},
    {"<iframe", false, IFrame},
    {"<layer", false, Layer},
    {"<label", false, Label},
    {"<button", false, Button},
    {"<col", false, Colgroup},
    {"<legend", false, Legend},
    {"<marquee", false, Marquee},
    {"<multicol", false, Multicol},
    {"<spacer", false, Spacer},
};

QString entryText(const QString &word)
{
    const qsizetype eq = word.indexOf(QLatin1Char('='));
    if (eq < 0)
        return word;
    return word.left(eq + 1) + QLatin1Char('"') + word.mid(eq + 1) + QLatin1Char('"');
}

} // namespace

namespace HtmlAttributeTables {

int rowCount()
{
    return rowTotal;
}

QString builderName(int row)
{
    return row >= 0 && row < rowTotal ? QLatin1String(rows[row].builder) : QString();
}

QStringList entries(int row)
{
    QStringList list;
    if (row < 0 || row >= rowTotal)
        return list;
    const QStringList words =
        QString::fromLatin1(rows[row].entries).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    list.reserve(words.size());
    for (const QString &word : words)
        list.append(entryText(word));
    return list;
}

int chooseRow(const QString &tagText)
{
    for (const Pattern &p : patterns) {
        const QLatin1String text(p.text);
        if (p.exact ? tagText == text : tagText.contains(text))
            return p.row;
    }
    return -1;
}

QStringList valuelessAttributes()
{
    return {QStringLiteral("noresize"), QStringLiteral("noshade"), QStringLiteral("ismap"),
            QStringLiteral("multiple"), QStringLiteral("nowrap"),  QStringLiteral("disabled"),
            QStringLiteral("checked"),  QStringLiteral("nohref")};
}

} // namespace HtmlAttributeTables
