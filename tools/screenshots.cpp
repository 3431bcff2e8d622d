// Renders the pictures of the README from the real window, so they always show what the
// code draws: the Calendar and Settings tabs on a fixed day in a US English locale.
//
//   dutyloop-screenshots <output folder> [scale]

#include "ui/main_form.h"
#include "ui/t_combo_box.h"
#include "ui/t_tab_control.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool Save(QWidget& window, const QString& path) {
    const QPixmap picture = window.grab();
    if (!picture.save(path)) {
        qCritical("Unable to write %s", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        qCritical("usage: dutyloop-screenshots <output folder> [scale]");
        return 2;
    }
    const QString scale = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("1");
    qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QString suffix =
        scale == QLatin1String("1") ? QString() : QStringLiteral("@%1x").arg(scale);

    // Settings in a folder of its own, so the user's own never show and are never touched.
    QTemporaryDir settingsFolder;
    dutyloop::TMainForm form(dutyloop::FixedPlatform(
        QDate(2026, 12, 10), QLocale(QLocale::English, QLocale::UnitedStates),
        settingsFolder.path()));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    const dutyloop::FormWidgets& w = form.widgets();

    w.cbPlt->setCurrentIndex(w.cbPlt->findText(QStringLiteral("5 TFS")));
    form.cbPltClosePopup();
    bool ok = Save(form, folder + QStringLiteral("/settings%1.png").arg(suffix));

    form.sbBack2Click();
    form.bTodayClick();
    ok = Save(form, folder + QStringLiteral("/calendar%1.png").arg(suffix)) && ok;
    return ok ? 0 : 1;
}
