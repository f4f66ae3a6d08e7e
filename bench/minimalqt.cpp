// The smallest program with a Qt GUI application, for comparing start-up times: what any Qt
// program that draws pays before it does anything of its own.
#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    return 0;
}
