#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DCatchKeyAndMouseItem;
}

// One row of the macro page's event table: a key or mouse button going down
// or up, with the delay before it. The row only shows the event and reports
// presses and its delete button; the page does all editing and storing.
class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT

public:
    DCatchKeyAndMouseItem(const QString &mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setItemInfo(int delay, const QString &type, int keyCode, const QString &codeName,
                     const QString &operateExplain);
    void setDelayTime(int delay);
    // The partner's highlight, and the clicked row's look.
    void setHoverStatus(bool on);
    void setSelectedStatus(bool on);

    QString getMark() const { return m_mark; }
    QString getDelay() const { return m_delay; }
    QString getType() const { return m_type; }
    QString getKeyCode() const { return m_keyCode; }
    QString getCodeName() const { return m_codeName; }
    QString getOperateExplain() const { return m_operateExplain; }

signals:
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                 QString operateExplain);
    void sigDeleteKeyAndMouseEvent();
    // Declared for the page's hover slots; rows do not emit them, because a
    // hover would take the highlight from the selected event's partner.
    void sigMouseEnter(QString mark, QString operateExplain);
    void sigMouseLeave(QString mark, QString operateExplain);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    enum class Look { Built, Plain, Hovered, Selected };
    void applyLook(Look look);

    std::unique_ptr<Ui::DCatchKeyAndMouseItem> ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
    Look m_look = Look::Built;
};
