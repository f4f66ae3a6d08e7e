// The smallest programs with a Qt GUI application, for comparing start-up times.
//   minimal_qt              what any Qt program that draws pays before it does anything
//   minimal_qt --pdf FILE   what any Qt program pays to put the page's two fonts (Arial, plain
//                           and bold) on one PDF page: font set-up, shaping and embedding
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--pdf")) {
        QPdfWriter pdf(arguments.at(2));
        QPainter painter(&pdf);
        QFont font(QStringLiteral("Arial"), 12);
        painter.setFont(font);
        painter.drawText(1000, 1000, QStringLiteral("January February March 1 2 3 4 5 6 7 8 9 10"));
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(1000, 3000, QStringLiteral("2027"));
        return painter.end() ? 0 : 1;
    }
    return 0;
}
