#include "styling/FlatMenu.h"

#include "styling/FlatMenuManager.h"
#include "styling/MenuTextMetrics.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyleHintReturnMask>
#include <QStyleOption>

namespace {
// The class library's clMenuText.
constexpr TColor clMenuText = FlatMenuProperties::sysColor(7);

// A menu or menu bar measures itself again and repaints; a pop-up takes the frame mask the
// style gives it now.
void restyle(QWidget *w)
{
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(w, &change);
    if (auto *menu = qobject_cast<QMenu *>(w)) {
        QStyleOption option;
        option.initFrom(menu);
        QStyleHintReturnMask mask;
        if (menu->style()->styleHint(QStyle::SH_Menu_Mask, &option, menu, &mask))
            menu->setMask(mask.region);
        else
            menu->clearMask();
    }
    w->update();
}
} // namespace

TFlatMenu::TFlatMenu(QWidget *window) : QObject(window), m_window(window)
{
    m_p.Font = QApplication::font("QMenu");
    m_p.SelectFontColor = m_p.FontColor;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        m_deepScreen = screen->depth() >= 16;
    TFlatMenuManager::get();
}

TFlatMenu::~TFlatMenu()
{
    // The window's menus go with it; a window that stays is styled by the manager from now on.
    if (TFlatMenuManager *manager = TFlatMenuManager::existing())
        manager->Remove(this);
}

TFlatMenu *TFlatMenu::makeMainWindowFlatMenu(QWidget *window)
{
    auto *f = new TFlatMenu(window);
    f->setObjectName(QStringLiteral("FlatMenu1"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    f->setFont(font);
    f->setFontColor(clMenuText);
    f->setGradient(false);
    f->setFlatMenu(true);
    f->setDrawMenuBar(false);
    f->setAutoDetect(false);
    f->setFlatControls(
        {TFlatControl::fcMainMenu, TFlatControl::fcPopupMenu, TFlatControl::fcHotKey});
    f->setActive(true);
    f->loaded();
    return f;
}

TFlatMenu *TFlatMenu::makeDocumentFlatMenu(QWidget *window)
{
    auto *f = new TFlatMenu(window);
    f->setObjectName(QStringLiteral("FlatMenu1"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    f->setFont(font);
    f->setFontColor(clMenuText);
    f->setGradient(true);
    f->setFlatMenu(true);
    f->setDrawMenuBar(false);
    f->setAutoDetect(false);
    f->setFlatContainers({});
    f->setFlatControls({TFlatControl::fcPopupMenu});
    f->setActive(true);
    f->loaded();
    return f;
}

void TFlatMenu::loaded()
{
    if (m_registered)
        return;
    m_registered = true;
    TFlatMenuManager::get()->Add(this);
}

const WorkingColors &TFlatMenu::workingColors() const
{
    if (m_colorsChanged) {
        m_colors = WorkingColors::derive(m_p, m_deepScreen);
        m_colorsChanged = false;
    }
    return m_colors;
}

const MenuTextMetrics &TFlatMenu::textMetrics() const
{
    if (!m_metrics)
        m_metrics = std::make_unique<MenuTextMetrics>(m_p.Font);
    return *m_metrics;
}

void TFlatMenu::setScreenDepth(int bitsPerPixel)
{
    m_deepScreen = bitsPerPixel >= 16;
    m_colorsChanged = true;
}

void TFlatMenu::setColorValue(TColor &field, TColor value)
{
    field = value;
    m_colorsChanged = true;
}

void TFlatMenu::setActive(bool value)
{
    if (value == m_p.Active)
        return;
    m_p.Active = value;
    activateOwnerComponents();
    redrawMenuBar();
}

void TFlatMenu::setDisableSubclassing(bool value)
{
    // The flag itself stays false: only the manager hears of it.
    if (value != m_disableSubclassing)
        if (TFlatMenuManager *manager = TFlatMenuManager::existing())
            manager->DisableSubclassingChanged(this);
}

void TFlatMenu::setFont(const QFont &value)
{
    m_p.Font = value;
    m_metrics.reset();
    redrawMenuBar();
}

void TFlatMenu::setFontColor(TColor value)
{
    setColorValue(m_p.FontColor, value);
    redrawMenuBar();
}

void TFlatMenu::setMenuBarColor(TColor value)
{
    setColorValue(m_p.MenuBarColor, value);
    redrawMenuBar();
}

void TFlatMenu::setUseSystemColors(bool value)
{
    m_p.UseSystemColors = value;
    m_colorsChanged = true;
    redrawMenuBar();
}

void TFlatMenu::setOverrideOwnerDraw(bool value)
{
    m_p.OverrideOwnerDraw = value;
    if (m_p.Active)
        activateOwnerComponents();
}

void TFlatMenu::setFlatContainers(const TFlatContainers &value)
{
    if (value == m_p.FlatContainers)
        return;
    m_p.FlatContainers = value;
    if (m_p.Active)
        activateOwnerComponents();
}

void TFlatMenu::setFlatControls(const TFlatControls &value)
{
    if (value == m_p.FlatControls)
        return;
    m_p.FlatControls = value;
    if (m_p.Active)
        activateOwnerComponents();
}

void TFlatMenu::activateOwnerComponents()
{
    TFlatMenuManager *manager = TFlatMenuManager::existing();
    if (!manager)
        return;
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *w : widgets) {
        if (!qobject_cast<QMenu *>(w) && !qobject_cast<QMenuBar *>(w))
            continue;
        if (manager->stylingOf(w).flatMenu == this)
            restyle(w);
    }
}

void TFlatMenu::redrawMenuBar()
{
    if (!m_window)
        return;
    const QList<QMenuBar *> bars = m_window->findChildren<QMenuBar *>();
    for (QMenuBar *bar : bars)
        restyle(bar);
}
