#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// A fixed-height panel of two centred text lines: a device's information
// above its date.
class HidFirmwareInfoTool : public QWidget
{
    Q_OBJECT

public:
    explicit HidFirmwareInfoTool(QWidget *parent = nullptr);

    void setInfo(const QString &info, const QString &date);

    QString infoText() const;
    QString dateText() const;

private:
    QLabel *m_infoLabel = nullptr;
    QLabel *m_dateLabel = nullptr;
};
