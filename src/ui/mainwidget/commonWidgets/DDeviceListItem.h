#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DDeviceListItem;
}

// A row of the device page's device list: a keyboard or mouse logo with the
// product and display names, a selection marker under them and a press
// signal. The receiver of the signal finds the row as its sender.
class DDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setDeviceInfo(int vid, int pid, QString hidPath, QString manufacturer, QString product, QString hidName,
                       int hidType, QString information);
    void setSelected(bool selected);
    void updateThemeStyle();

    QString getHidPath() const { return m_hidPath; }
    QString getHidName() const { return m_hidName; }
    // The display name: the model's like-name, else the model name.
    QString getShowName() const { return m_showName; }
    QString getDeviceName() const { return m_showName; }
    QString getProductName() const { return m_productName; }
    int getHidType() const { return m_hidType; }
    // The chip name of the supported-device entry with the row's ids; empty
    // when none has them.
    QString getChipName() const;

    // The text cut at the right with an ellipsis when it is at least width
    // pixels wide in the font, so a text exactly as wide as the room is cut too.
    static QString elideText(const QFont &font, const QString &text, int width);

signals:
    void sigDeviceItemPressed();

private slots:
    void on_pushButton_DeviceLogo_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // A double click is one press, already reported.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Ui::DDeviceListItem *ui;
    int m_vid = 0;
    int m_pid = 0;
    QString m_hidPath;
    QString m_manufacturer;
    QString m_product;
    QString m_hidName;
    QString m_showName;
    QString m_productName;
    QString m_information;
    int m_hidType = 0;
};
