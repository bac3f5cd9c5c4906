#include "java/generators/JavaGeneratorCommands.h"

#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "java/generators/ClassWizard.h"
#include "java/generators/CodeTarget.h"
#include "java/generators/ExceptionClassGenerator.h"
#include "java/generators/ExpressionBuilder.h"
#include "java/generators/TryCatchGenerator.h"

#include <QAction>
#include <QGridLayout>
#include <QPointer>
#include <QToolButton>

JavaGeneratorCommands::JavaGeneratorCommands(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(&host), m_exec([](QDialog &dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("JavaGeneratorCommands"));
    bindCommands();
}

void JavaGeneratorCommands::bindCommands()
{
    static const struct {
        const char *item; // Java "Tools" menu
        const char *caption;
        const char *button; // "Java" tab
        const char *hint;
        void (JavaGeneratorCommands::*handler)();
    } commands[] = {
        {"Classwizard1", "Class wizard..", "SpeedButton31", "Class wizard code generator",
         &JavaGeneratorCommands::SpeedButton31Click},
        {"rycatchcodegenerator1", "Try-catch code generator..", "SpeedButton32",
         "Try..Catch code generator", &JavaGeneratorCommands::SpeedButton32Click},
        {"Exceptioncodegenerator1", "Exception code generator..", "SpeedButton1",
         "Exception code generator", &JavaGeneratorCommands::SpeedButton1Click},
        {"Expressionbuilder1", "Expression builder..", "SpeedButton46", "Expression builder",
         &JavaGeneratorCommands::SpeedButton46Click},
    };

    ActionRegistry &registry = m_host->actions();
    auto *buttons = new QWidget(m_host->page(FeatureHost::Page::Java));
    buttons->setObjectName(QStringLiteral("JavaGeneratorButtons"));
    auto *grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    int i = 0;
    for (const auto &c : commands) {
        const QString name = QLatin1String(c.item);
        QAction *item = registry.action(name);
        if (!item)
            item = registry.addItem(QStringLiteral("ools1"), name, QLatin1String(c.caption));
        if (item) {
            item->setEnabled(true);
            connect(item, &QAction::triggered, this, c.handler);
        }

        auto *button = new QToolButton(buttons);
        button->setObjectName(QLatin1String(c.button));
        button->setText(QLatin1String(c.hint));
        button->setToolTip(QLatin1String(c.hint));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, c.handler);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    m_host->addToPage(FeatureHost::Page::Java, buttons, 2);
}

int JavaGeneratorCommands::run(QDialog *dialog)
{
    QPointer<QDialog> guard(dialog);
    const int result = m_exec(*dialog);
    delete guard.data();
    return result;
}

namespace {

CodeTarget targetOf(FeatureHost *host)
{
    return CodeTarget {[host] { return host->activeEditor(); },
                       [host](const QString &text) { host->insertText(text); }};
}

} // namespace

void JavaGeneratorCommands::SpeedButton31Click()
{
    run(new TJavaKlasseWizFrm(targetOf(m_host), m_host->window()));
}

void JavaGeneratorCommands::SpeedButton32Click()
{
    auto *dialog = new TExeptionFrm(targetOf(m_host), m_host->window());
    if (EditorAdapter *editor = m_host->activeEditor())
        dialog->SynMemo1->setText(editor->selectedText());
    run(dialog);
}

void JavaGeneratorCommands::SpeedButton1Click()
{
    run(new TUnntak(targetOf(m_host), m_host->window()));
}

void JavaGeneratorCommands::SpeedButton46Click()
{
    run(new TExpBuilder(targetOf(m_host), m_host->window()));
}
