#pragma once

#include "shell/tools/UserToolsDialog.h"

// TSendToExtPrgFrm (unit SendToExtPrgFrm):
// "Send to external program": the tool form for external programs, with an application type.
// Add and Remove change only the list on the form; nothing is stored or run.
class TSendToExtPrgFrm : public TUserToolFrm
{
    Q_OBJECT
public:
    explicit TSendToExtPrgFrm(QWidget *parent = nullptr);
};
