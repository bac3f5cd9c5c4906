#include "FakeFeatureHost.h"

#include "editor/EditorAdapter.h"
#include "platform/TextFile.h"
#include "shell/DocumentTypes.h"
#include "shell/MainMenuLayout.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

FakeDocument::FakeDocument(const QString &caption, QWidget *parent)
    : m_widget(new QWidget(parent)),
      m_editor(new EditorAdapter(m_widget)),
      m_popup(new QMenu(m_widget)),
      m_caption(caption)
{
    m_widget->setObjectName(QStringLiteral("EditForm"));
    auto *layout = new QVBoxLayout(m_widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor->widget());
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_widget->resize(640, 480);
}

FakeDocument::~FakeDocument()
{
    delete m_widget;
}

void FakeDocument::removeHighlighter()
{
    m_editor->setHighlighter(nullptr);
}

bool FakeDocument::save()
{
    if (m_fileName.isEmpty() || !TextFile::save(m_fileName, m_editor->text(), TextFile::Format()))
        return false;
    m_modified = false;
    m_editor->setModified(false);
    return true;
}

bool FakeDocument::isModified() const
{
    return m_modified || m_editor->isModified();
}

void FakeDocument::bringToFront()
{
    m_widget->show();
    m_widget->raise();
    m_editor->widget()->setFocus();
}

namespace {

// The main menu's menus and items, as the main window makes them before features bind theirs.
void addItems(ActionRegistry &registry, QMenu *menu, const MainMenuLayout::Item *items)
{
    for (const MainMenuLayout::Item *item = items; item->caption; ++item) {
        const QString name = QLatin1String(item->name ? item->name : "");
        if (MainMenuLayout::isSeparator(*item)) {
            if (!name.isEmpty())
                registry.addSeparator(menu, name);
        } else if (item->children) {
            addItems(registry, registry.addSubmenu(menu, name, QLatin1String(item->caption)),
                     item->children);
        } else {
            QAction *action = registry.addItem(menu, name, QLatin1String(item->caption));
            if (action && (item->flags & (MainMenuLayout::Checkable | MainMenuLayout::Checked)))
                action->setCheckable(true);
        }
    }
}

} // namespace

FakeFeatureHost::FakeFeatureHost(const QByteArray &settingsFile, bool copyData)
    : folder(copyData), m_window(std::make_unique<QWidget>())
{
    m_window->setObjectName(QStringLiteral("MainForm"));
    m_window->resize(1024, 768);
    m_menuBar = new QMenuBar(m_window.get());
    for (const MainMenuLayout::Item *top = MainMenuLayout::menuBar(); top->caption; ++top) {
        auto *menu = new QMenu(QLatin1String(top->caption), m_menuBar);
        menu->setObjectName(QLatin1String(top->name));
        m_actions.addMenu(menu);
        m_menuBar->addMenu(menu);
        addItems(m_actions, menu, top->children);
    }
    if (!settingsFile.isEmpty())
        folder.writeFile(QStringLiteral("qmEditor.ini"), settingsFile);
    m_settings = std::make_unique<AppSettings>(folder.filePath(QStringLiteral("qmEditor.ini")));
}

FakeFeatureHost::~FakeFeatureHost()
{
    while (!m_documents.isEmpty())
        close(m_documents.first());
}

HostDocument *FakeFeatureHost::activeDocument() const
{
    return m_active;
}

QList<HostDocument *> FakeFeatureHost::documents() const
{
    return {m_documents.begin(), m_documents.end()};
}

void FakeFeatureHost::insertText(const QString &text)
{
    if (!m_active)
        return;
    m_active->editor()->insertAtCaret(text);
    m_active->setIsModified(true);
}

HostDocument *FakeFeatureHost::makeDocument(const QString &name, const QString &text)
{
    madeDocuments.append(name);
    FakeDocument *document = open(name, text);
    document->editor()->setCaret(6, 1);
    return document;
}

HostDocument *FakeFeatureHost::makeHtmlDocument(const QString &text, int caretLine)
{
    const QString name = QStringLiteral("Untitled%1.html").arg(++m_untitled);
    madeDocuments.append(name);
    FakeDocument *document = open(name, text);
    document->editor()->setCaret(caretLine, 1);
    return document;
}

QList<FileFilterEntry> FakeFeatureHost::fileFilter()
{
    return DocumentTypes::builtInFilter() << DocumentTypes::allFilesFilter();
}

void FakeFeatureHost::openFile(const QString &fileName)
{
    if (fileName.trimmed().isEmpty())
        return;
    openedFiles.append(fileName);
    emit fileLoading(fileName);
    TextFile::Content content;
    TextFile::load(fileName, content);
    FakeDocument *document = open(QFileInfo(fileName).fileName(), content.text);
    document->setFileName(fileName);
}

QWidget *FakeFeatureHost::page(Page which) const
{
    QWidget *&sheet = m_pages[which];
    if (!sheet) {
        sheet = new QWidget(m_window.get());
        new QVBoxLayout(sheet);
    }
    return sheet;
}

void FakeFeatureHost::addToPage(Page which, QWidget *widget, int index)
{
    auto *layout = static_cast<QBoxLayout *>(page(which)->layout());
    layout->insertWidget(index < 0 ? layout->count() : qMin(index, layout->count()), widget);
}

void FakeFeatureHost::showPage(Page which, bool current)
{
    shownPages.append(which);
    if (current)
        currentPages.append(which);
}

FakeDocument *FakeFeatureHost::open(const QString &caption, const QString &text)
{
    auto *document = new FakeDocument(caption, m_window.get());
    document->editor()->setText(text);
    document->editor()->setModified(false);
    document->editor()->setCaret(1, 1);
    m_documents.prepend(document);
    emit documentCreated(document);
    activate(document);
    return document;
}

void FakeFeatureHost::activate(FakeDocument *document)
{
    m_documents.removeOne(document);
    m_documents.prepend(document);
    m_active = document;
    emit documentActivated(document);
}

void FakeFeatureHost::close(FakeDocument *document)
{
    emit documentClosed(document);
    m_documents.removeOne(document);
    if (m_active == document)
        m_active = m_documents.value(0);
    delete document;
    if (m_active)
        emit documentActivated(m_active);
}
