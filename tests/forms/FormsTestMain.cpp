// SPDX-License-Identifier: MIT
// The windows' tests share one QApplication on the offscreen platform, with the C locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

namespace {

// The offscreen platform cannot stack windows and says so on every raise() (the tests check
// the active window instead), nor size them by their content. Everything else passes through.
QtMessageHandler defaultHandler = nullptr;

void QuietOffscreenRaise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (defaultHandler != nullptr && !text.contains(QLatin1String("does not support raise()")) &&
        !text.contains(QLatin1String("does not support propagateSizeHints()"))) {
        defaultHandler(type, context, text);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    defaultHandler = qInstallMessageHandler(QuietOffscreenRaise);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
