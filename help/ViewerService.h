#pragma once

#include <QObject>
#include <memory>

#include "help/ChmLibrary.h"
#include "help/HelpWindows.h"
#include "help/LineReader.h"
#include "help/ViewerProtocol.h"

class QSocketNotifier;

// The help viewer process's side of the pipe: reads the game's commands, shows the windows and
// answers each command. The process ends when the game closes its end or asks it to close, and
// (the application's own rule) when the player closes the last window: the game starts a new
// process when help is asked for again.
class ViewerService : public QObject {
    Q_OBJECT

public:
    // Reads commands from `input` and writes replies to `output`; chmlib is loaded as the game
    // named it.
    ViewerService(int input, int output, const QString& controlName, const QString& controlPath);
    ~ViewerService() override;

private:
    void ReadCommands();
    void Handle(QByteArrayView line);
    void Reply(ViewerProtocol::Reply reply);

    int output;
    ChmLibrary chm;
    bool chmLoaded;
    HelpWindows windows;
    LineReader reader{ViewerProtocol::LongestCommand};
    QSocketNotifier* notifier = nullptr;
};
