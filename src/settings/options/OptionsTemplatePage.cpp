#include "settings/options/OptionsTemplatePage.h"

#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/files/CompletionFiles.h"
#include "settings/options/NewKeywordFrmUnit.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void information(QWidget *parent, const QString &text)
{
    Prompter::instance()->messageBox(parent, QStringLiteral("Information"), text,
                                     Prompter::Information, Prompter::OkButton);
}

} // namespace

OptionsTemplatePage::OptionsTemplatePage(QWidget *parent)
    : QWidget(parent), m_exec([](QDialog &dlg) { return dlg.exec(); })
{
    auto *group = named(new QGroupBox(QStringLiteral("Auto completion options (java only):"), this),
                        "GroupBox15");
    ListView2 = named(new QTreeWidget(group), "ListView2");
    ListView2->setColumnCount(1);
    ListView2->setHeaderLabels({QStringLiteral("Keywords")});
    ListView2->setRootIsDecorated(false);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->setMaximumWidth(170);

    m_highlighter = new Highlighter(Highlighter::Java, this);
    SynEdit1 = new EditorAdapter(group);
    SynEdit1->widget()->setObjectName(QStringLiteral("SynEdit1"));
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    SynEdit1->setEditorFont(font);
    SynEdit1->setGutterVisible(false);
    SynEdit1->setHighlighter(m_highlighter);

    NewKeyword = named(new QPushButton(QStringLiteral("New.."), group), "NewKeyword");
    NewKeyword->setAutoDefault(false);
    DeleteKeyword = named(new QPushButton(QStringLiteral("Delete"), group), "DeleteKeyword");
    DeleteKeyword->setAutoDefault(false);

    auto *grid = new QGridLayout(group);
    grid->addWidget(ListView2, 0, 0, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Completion code:"), group), 0, 1, 1, 2);
    grid->addWidget(SynEdit1->widget(), 1, 1, 1, 2);
    grid->addWidget(NewKeyword, 2, 1);
    grid->addWidget(DeleteKeyword, 2, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto *hint = new QLabel(QStringLiteral("Type the | (not i or 1) character to make the caret "
                                           "start in the position")
                                + QLatin1Char('\n') + QStringLiteral("of the | character."),
                            this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(hint);

    // Every change of the selection, by mouse or keyboard.
    connect(ListView2, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_quiet)
            ListView2Click();
    });
    connect(NewKeyword, &QPushButton::clicked, this, &OptionsTemplatePage::NewKeywordClick);
    connect(DeleteKeyword, &QPushButton::clicked, this, &OptionsTemplatePage::DeleteKeywordClick);
}

void OptionsTemplatePage::loadTemplates()
{
    const QString file = CompletionFiles::templateFile();
    if (QFileInfo(file).isFile())
        m_text.setLines(CompletionFiles::readLines(file));
    GetKeywordList();
}

void OptionsTemplatePage::GetKeywordList()
{
    for (const QString &keyword : m_text.keywords())
        new QTreeWidgetItem(ListView2, {keyword});
}

QString OptionsTemplatePage::selectedKeyword() const
{
    const QTreeWidgetItem *item = ListView2->currentItem();
    return item ? item->text(0) : QString();
}

void OptionsTemplatePage::selectQuietly(QTreeWidgetItem *item)
{
    m_quiet = true;
    ListView2->setCurrentItem(item);
    if (!item)
        ListView2->clearSelection();
    m_quiet = false;
}

void OptionsTemplatePage::setEdited(const QString &keyword)
{
    m_edited = keyword;
    const CodeTemplateText::Record r = m_text.find(keyword);
    TemplateStartLine = r.found() ? r.start : -1;
    TemplateEndLine = r.found() ? r.end : -1;
}

void OptionsTemplatePage::FindElementCode(const QString &keyword)
{
    SynEdit1->setLines(m_text.code(keyword));
}

void OptionsTemplatePage::UpdateKewordCode()
{
    // Code left as shown goes back as it was (the editor's line list has no line for a final
    // blank line, which the record may have).
    if (m_edited.isEmpty() || !SynEdit1->isModified())
        return;
    m_text.store(m_edited, SynEdit1->lines());
    SynEdit1->setModified(false);
}

void OptionsTemplatePage::ListView2Click()
{
    UpdateKewordCode();
    const QString keyword = selectedKeyword();
    FindElementCode(keyword);
    setEdited(keyword);
}

void OptionsTemplatePage::NewKeywordClick()
{
    UpdateKewordCode();
    TKeywordFrm dialog(this);
    if (m_exec(dialog) != QDialog::Accepted) {
        // Code typed now belongs to no template.
        SynEdit1->setLines({});
        setEdited(QString());
        return;
    }
    const QString name = dialog.Keywordtext->text();
    switch (m_text.add(name)) {
    case CodeTemplateText::NewKeyword::Taken:
        information(this, QStringLiteral("Can't create keyword. The keyword already exists!"));
        return;
    case CodeTemplateText::NewKeyword::Empty:
        information(this, QStringLiteral("Can't create keyword. Please type a name for it!"));
        return;
    case CodeTemplateText::NewKeyword::BadCharacter:
        information(this,
                    QStringLiteral("Can't create keyword. A keyword can't hold \"%\" or \"#\"!"));
        return;
    case CodeTemplateText::NewKeyword::Added: break;
    }
    const QString keyword = m_text.keywords().constLast();
    auto *item = new QTreeWidgetItem(ListView2, {keyword});
    selectQuietly(item);
    item->setSelected(true);
    ListView2->setFocus();
    SynEdit1->setLines({});
    setEdited(keyword);
}

void OptionsTemplatePage::DeleteKeywordClick()
{
    QTreeWidgetItem *item = ListView2->currentItem();
    const QString keyword = selectedKeyword();
    if (keyword.isEmpty() || !m_text.remove(keyword))
        return;
    m_quiet = true;
    delete item;
    m_quiet = false;
    selectQuietly(nullptr);
    SynEdit1->setLines({});
    ListView2->setFocus();
    setEdited(QString());
}

bool OptionsTemplatePage::saveTemplates(QString *error)
{
    UpdateKewordCode();
    return CompletionFiles::writeLines(CompletionFiles::templateFile(), m_text.lines(), error);
}
