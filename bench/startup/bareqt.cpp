// SPDX-License-Identifier: MIT
// The smallest Qt widgets program with a window: what start-up costs before
// any game code runs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(774, 520);
    window.show();
    return QApplication::exec();
}
