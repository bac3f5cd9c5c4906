#include "shell/tools/SendToProgramDialog.h"

TSendToExtPrgFrm::TSendToExtPrgFrm(QWidget *parent)
    : TUserToolFrm(QStringLiteral("Send to external program"), QStringLiteral("Application type:"),
                   {QStringLiteral("Windowed application"), QStringLiteral("Console application")},
                   parent)
{
    setObjectName(QStringLiteral("SendToExtPrgFrm"));
}
