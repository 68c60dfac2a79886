#pragma once

#include <QGroupBox>

// A frame: a captioned border that groups controls. Its children are placed
// from the frame's outer corner.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    Frame(QWidget* container, const QString& caption, const QColor& background);

    QString Caption() const { return title(); }
};
