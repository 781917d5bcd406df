// The yardstick of bench/startup: the least a Qt Widgets program does to put a window on the
// screen, gone as soon as the window is painted, exactly as the program is when its splash is
// (KEELWRIGHT_EXIT_AT_SPLASH).
#include <QApplication>
#include <QLabel>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Starmarch Keelwright"));
    window.resize(480, 300);
    window.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    std::_Exit(0);
}
