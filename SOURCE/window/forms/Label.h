#pragma once

#include <QLabel>

// A label: a caption on a transparent background. Captions are plain text, so
// a name read from a file is shown as it is and never taken for markup.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(QWidget* container, const QString& caption);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setForeColor(const QColor& colour);
};
