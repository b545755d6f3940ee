#include <QApplication>

#include "cards/CardSheets.h"
#include "platform/Clock.h"
#include "ui/TMainForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CardSheets::Load();
    SystemClock clock;
    int result = 0;
    {
        TMainForm mainForm(clock);
        mainForm.show();
        result = app.exec();
    }
    CardSheets::Release();
    return result;
}
