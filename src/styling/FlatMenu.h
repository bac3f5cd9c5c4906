#pragma once

#include "styling/FlatMenuProperties.h"
#include "styling/WorkingColors.h"

#include <QObject>

#include <memory>

class MenuTextMetrics;
class QWidget;

// The flat menu look of one window: while active, the window's menu bar and menus (and, through
// the manager, those of windows without a component of their own) are measured and drawn flat by
// the application's menu style, which asks the component at paint time. Menu items added later
// are drawn like their siblings.
//
// Tag 999 (the dynamic property "tag") on an action, the menu bar or a window keeps it out.
// OverrideOwnerDraw and AutoDetect are kept for their rules: no menu item here draws itself and
// every item is reached at paint time, so neither changes what is drawn. DrawMenuBar neither:
// the menu bar is painted in the menu-bar colour whole, with or without it.
class TFlatMenu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ isActive WRITE setActive)
    Q_PROPERTY(bool AutoDetect READ autoDetect WRITE setAutoDetect)
    Q_PROPERTY(TColor CheckedColor READ checkedColor WRITE setCheckedColor)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(int DimLevel READ dimLevel WRITE setDimLevel)
    Q_PROPERTY(TColor DisabledColor READ disabledColor WRITE setDisabledColor)
    Q_PROPERTY(bool DisableSubclassing READ disableSubclassing WRITE setDisableSubclassing)
    Q_PROPERTY(bool DrawMenuBar READ drawMenuBar WRITE setDrawMenuBar)
    Q_PROPERTY(bool DrawSelect READ drawSelect WRITE setDrawSelect)
    Q_PROPERTY(bool FlatMenu READ flatMenu WRITE setFlatMenu)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(bool Gradient READ gradient WRITE setGradient)
    Q_PROPERTY(int GrayLevel READ grayLevel WRITE setGrayLevel)
    Q_PROPERTY(TColor IconBackColor READ iconBackColor WRITE setIconBackColor)
    Q_PROPERTY(int IconWidth READ iconWidth WRITE setIconWidth)
    Q_PROPERTY(TColor MenuBarColor READ menuBarColor WRITE setMenuBarColor)
    Q_PROPERTY(bool OverrideOwnerDraw READ overrideOwnerDraw WRITE setOverrideOwnerDraw)
    Q_PROPERTY(TColor SelectBorderColor READ selectBorderColor WRITE setSelectBorderColor)
    Q_PROPERTY(TColor SelectColor READ selectColor WRITE setSelectColor)
    Q_PROPERTY(TColor SelectFontColor READ selectFontColor WRITE setSelectFontColor)
    Q_PROPERTY(TColor SeparatorColor READ separatorColor WRITE setSeparatorColor)
    Q_PROPERTY(bool UseDimColor READ useDimColor WRITE setUseDimColor)
    Q_PROPERTY(bool UseSystemColors READ useSystemColors WRITE setUseSystemColors)
public:
    // A component on window with the defaults; it registers with the manager on loaded().
    explicit TFlatMenu(QWidget *window);
    ~TFlatMenu() override;

    // The stored values of the main window's and of a document window's component, applied
    // and loaded.
    static TFlatMenu *makeMainWindowFlatMenu(QWidget *window);
    static TFlatMenu *makeDocumentFlatMenu(QWidget *window);

    // The values are applied: registers with the manager.
    void loaded();

    QWidget *window() const { return m_window; }
    const FlatMenuProperties &properties() const { return m_p; }
    // The working colours, derived again after a colour changed.
    const WorkingColors &workingColors() const;
    // The sizes of texts in the component's font.
    const MenuTextMetrics &textMetrics() const;

    // Whether the component draws menus of this kind (main menu or pop-up).
    bool selects(TFlatControl kind) const { return m_p.FlatControls.contains(kind); }

    // The screen: at least 16 bits per pixel (taken from the primary screen at creation).
    bool deepScreen() const { return m_deepScreen; }
    void setScreenDepth(int bitsPerPixel);
    // The operating-system flags taken at creation: the NT platform, not version 5.0 or 5.1.
    bool isNT() const { return m_nt; }
    bool isVersion50() const { return m_version50; }
    bool isVersion51() const { return m_version51; }

    bool isActive() const { return m_p.Active; }
    void setActive(bool value);
    bool autoDetect() const { return m_p.AutoDetect; }
    void setAutoDetect(bool value) { m_p.AutoDetect = value; }
    TColor checkedColor() const { return m_p.CheckedColor; }
    void setCheckedColor(TColor value) { setColorValue(m_p.CheckedColor, value); }
    TColor color() const { return m_p.Color; }
    void setColor(TColor value) { setColorValue(m_p.Color, value); }
    int dimLevel() const { return m_p.DimLevel; }
    void setDimLevel(int value) { m_p.DimLevel = qBound(0, value, 255); }
    TColor disabledColor() const { return m_p.DisabledColor; }
    void setDisabledColor(TColor value) { setColorValue(m_p.DisabledColor, value); }
    // Always reads false: the setter only tells the manager.
    bool disableSubclassing() const { return m_disableSubclassing; }
    void setDisableSubclassing(bool value);
    bool drawMenuBar() const { return m_p.DrawMenuBar; }
    void setDrawMenuBar(bool value) { m_p.DrawMenuBar = value; }
    bool drawSelect() const { return m_p.DrawSelect; }
    void setDrawSelect(bool value) { m_p.DrawSelect = value; }
    bool flatMenu() const { return m_p.FlatMenu; }
    void setFlatMenu(bool value) { m_p.FlatMenu = value; }
    QFont font() const { return m_p.Font; }
    void setFont(const QFont &value);
    // The font's colour.
    TColor fontColor() const { return m_p.FontColor; }
    void setFontColor(TColor value);
    bool gradient() const { return m_p.Gradient; }
    void setGradient(bool value) { m_p.Gradient = value; }
    int grayLevel() const { return m_p.GrayLevel; }
    void setGrayLevel(int value) { m_p.GrayLevel = qBound(0, value, 255); }
    TColor iconBackColor() const { return m_p.IconBackColor; }
    void setIconBackColor(TColor value) { setColorValue(m_p.IconBackColor, value); }
    int iconWidth() const { return m_p.IconWidth; }
    void setIconWidth(int value) { m_p.IconWidth = value; }
    TColor menuBarColor() const { return m_p.MenuBarColor; }
    void setMenuBarColor(TColor value);
    bool overrideOwnerDraw() const { return m_p.OverrideOwnerDraw; }
    void setOverrideOwnerDraw(bool value);
    TColor selectBorderColor() const { return m_p.SelectBorderColor; }
    void setSelectBorderColor(TColor value) { setColorValue(m_p.SelectBorderColor, value); }
    TColor selectColor() const { return m_p.SelectColor; }
    void setSelectColor(TColor value) { setColorValue(m_p.SelectColor, value); }
    TColor selectFontColor() const { return m_p.SelectFontColor; }
    void setSelectFontColor(TColor value) { setColorValue(m_p.SelectFontColor, value); }
    TColor separatorColor() const { return m_p.SeparatorColor; }
    void setSeparatorColor(TColor value) { setColorValue(m_p.SeparatorColor, value); }
    bool useDimColor() const { return m_p.UseDimColor; }
    void setUseDimColor(bool value) { m_p.UseDimColor = value; }
    bool useSystemColors() const { return m_p.UseSystemColors; }
    void setUseSystemColors(bool value);
    TFlatContainers flatContainers() const { return m_p.FlatContainers; }
    void setFlatContainers(const TFlatContainers &value);
    TFlatControls flatControls() const { return m_p.FlatControls; }
    void setFlatControls(const TFlatControls &value);

private:
    void setColorValue(TColor &field, TColor value);
    // Every menu of the window (and, for the manager's active component, of the windows it
    // styles) measured and drawn again with the current values.
    void activateOwnerComponents();
    void redrawMenuBar();

    QWidget *m_window;
    FlatMenuProperties m_p;
    mutable WorkingColors m_colors;
    mutable std::unique_ptr<MenuTextMetrics> m_metrics;
    mutable bool m_colorsChanged = true;
    bool m_disableSubclassing = false;
    bool m_deepScreen = true;
    bool m_nt = true;
    bool m_version50 = false;
    bool m_version51 = false;
    bool m_registered = false;
};
