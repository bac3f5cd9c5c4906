#include "java/debug/DebugVarsPane.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

DebugVarsPane::DebugVarsPane(QPlainTextEdit *log, QWidget *parent)
    : QObject(parent), REDebugVar(new QPlainTextEdit(parent)), m_log(log)
{
    REDebugVar->setObjectName(QStringLiteral("REDebugVar"));
    REDebugVar->setReadOnly(true);
    REDebugVar->document()->setUndoRedoEnabled(false);
    REDebugVar->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    REDebugVar->setLineWrapMode(QPlainTextEdit::NoWrap);
    REDebugVar->setPlainText(QStringLiteral("Debugger not running, not tracking vars."));
    connect(m_log->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int) {
                if (position < m_scannedEnd)
                    m_restart = true;
            });
}

void DebugVarsPane::rebuild(const QStringList &watches)
{
    const QTextDocument *doc = m_log->document();
    const int complete = doc->blockCount() - 1;
    bool whole = m_showsOther;
    if (m_restart || complete < m_scannedBlocks || watches != m_scanner.watches()) {
        m_scanner.reset(watches);
        m_lines.clear();
        m_scannedBlocks = 0;
        m_restart = false;
        whole = true;
    }
    QStringList added;
    QTextBlock block = doc->findBlockByNumber(m_scannedBlocks);
    for (; m_scannedBlocks < complete && block.isValid(); ++m_scannedBlocks, block = block.next())
        m_scanner.scanLine(block.text(), added);
    m_scannedEnd = doc->lastBlock().position();
    m_lines += added;

    if (whole) {
        REDebugVar->setPlainText(m_lines.join(u'\n'));
        m_showsOther = false;
    } else if (!added.isEmpty()) {
        QTextCursor end(REDebugVar->document());
        end.movePosition(QTextCursor::End);
        end.insertText((REDebugVar->document()->isEmpty() ? QString() : QStringLiteral("\n"))
                       + added.join(u'\n'));
    }
}

void DebugVarsPane::addLine(const QString &line)
{
    REDebugVar->appendPlainText(line);
    m_showsOther = true;
}
