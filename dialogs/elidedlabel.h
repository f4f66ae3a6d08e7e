#pragma once

#include <QLabel>

// A one-line label for a text that may be long (a file path): shown elided in the middle to
// the width it is given, in full in its tooltip and in its accessible name, so that no text
// widens the window and a screen reader still reads all of it.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    // The whole text; text() is what is shown.
    void setFullText(const QString &text);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
