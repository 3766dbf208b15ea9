#pragma once
// The order form's input controls. They hand their events to the form as
// plain callbacks, so that the form decides what each field accepts.

#include <QComboBox>
#include <QLineEdit>
#include <functional>

// Called with the key code a key press types (see gintfKeyAscii); the
// handler sets it to 0 to refuse the key.
using KeyPressHandler = std::function<void(int& aintKeyAscii)>;

class OrderLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit OrderLineEdit(QWidget* parent = nullptr);

    KeyPressHandler onKeyPress;
    std::function<void()> onKeyUp;
    std::function<void()> onGotFocus;
    // The focus moved on to another control of the form.
    std::function<void()> onValidate;

    // In a masked box, the first position still showing a blank (the end
    // when every position is filled); the text length in a plain box.
    int firstOpenPosition() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void keepCursorOnTypedText();
};

class OrderComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit OrderComboBox(QWidget* parent = nullptr);

    KeyPressHandler onKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
