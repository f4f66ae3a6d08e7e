#include "dialogs/fontchooser.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// The typeface chooser's words, in the user's language.
struct FontChooserWords
{
    Q_DECLARE_TR_FUNCTIONS(FontChooser)
};

} // namespace

std::optional<QString> QtFontChooser::chooseFont(QWidget *parent, const QString &current, double points, const QString &title)
{
    // The page sets each text's size, weight and style itself: only the typeface is asked
    // for, with a sample at the size the page will print it.
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgTypeface"));
    dialog.setWindowTitle(title);
    auto *faces = new QFontComboBox(&dialog);
    faces->setObjectName(QStringLiteral("cboTypeface"));
    faces->setAccessibleName(FontChooserWords::tr("Typeface"));
    auto *caption = new QLabel(FontChooserWords::tr("&Typeface"), &dialog);
    caption->setBuddy(faces);
    auto *sample = new QLabel(QStringLiteral("2027 AaBbCc 123"), &dialog);
    sample->setObjectName(QStringLiteral("lblTypefaceSample"));
    sample->setAccessibleName(FontChooserWords::tr("Sample"));
    sample->setMinimumHeight(int(points * 2.5));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(caption);
    layout->addWidget(faces);
    layout->addWidget(sample);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto showSample = [sample, points](const QFont &face) {
        QFont shown = face;
        shown.setPointSizeF(points);
        sample->setFont(shown);
    };
    QObject::connect(faces, &QFontComboBox::currentFontChanged, sample, showSample);
    // The list selects a family only by its real name; a name the system substitutes
    // ("Arial" for Liberation Sans) would open it at the first face instead.
    QFont start(current);
    start.setFamily(QFontInfo(start).family());
    faces->setCurrentFont(start);
    showSample(faces->currentFont());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return familyWithoutFoundry(faces->currentFont().family());
}

QString familyWithoutFoundry(const QString &family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QString name = family;
    return name.remove(foundry);
}
