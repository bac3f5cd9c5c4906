#pragma once

#include "java/run/RunJava.h"

#include <QObject>
#include <QPointer>

class FeatureHost;
class TProgRunFrm;

// The main window's run command (TMainForm.RunJava): runs the class of a document window with
// the settings of the settings file.
class RunJavaCommand : public QObject
{
    Q_OBJECT
public:
    explicit RunJavaCommand(FeatureHost &host, QObject *parent = nullptr);

    // Runs the document window whose file is fileName, or the active one when fileName is
    // empty; does nothing when there is no such window.
    ::RunJava::Result RunJava(::RunJava::Origin origin, const QString &fileName = QString());

    // The most recently opened console window (gone when closed).
    QPointer<TProgRunFrm> ProgRunWindow;

private:
    FeatureHost &m_host;
};
