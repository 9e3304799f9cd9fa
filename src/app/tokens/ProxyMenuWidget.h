#pragma once

#include <QAbstractButton>

// The small button at a token field's right edge that opens the token menu: a token outline
// with a plus, drawn pressed while the menu is open. It never takes the keyboard, so the
// field keeps its caret while the menu is used.
class ProxyMenuWidget : public QAbstractButton {
    Q_OBJECT
public:
    explicit ProxyMenuWidget(QWidget *parent = nullptr);

    void setOpen(bool open);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool open_ = false;
    bool hovered_ = false;
};
