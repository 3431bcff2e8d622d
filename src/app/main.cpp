#include "app/main_form.h"
#include "app/platform/platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    dutyloop::TMainForm mainForm(dutyloop::SystemPlatform());
    mainForm.show();
    return QApplication::exec();
}
