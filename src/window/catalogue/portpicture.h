#pragma once

#include <QLabel>
#include <QVector>

// The product picture, and one keyboard stop for the port labels laid over
// it, as a list is: the arrow keys, Home and End move a focus mark from
// port to port, Space acts as a click on the marked port and Ctrl+Space as
// a Ctrl-click. The mark is drawn only while the picture has the focus, in
// the palette's highlight colours, inside the label and apart from the
// label's own border that shows whether the port is chosen. Assistive
// technologies see the picture as the list "Ports" with one item per port.
class PortPicture : public QLabel
{
    Q_OBJECT

public:
    explicit PortPicture(QWidget *parent = nullptr);
    ~PortPicture() override;

    // The labels of the ports shown, in port order, and what each is called
    // ("Port 2, copper PoE"). The mark goes back to the first port.
    void setPorts(const QVector<QWidget *> &labels, const QStringList &names);
    // Bit i: port index i is chosen. Assistive technologies are told of
    // each port whose state changed.
    void setChosen(quint32 ports);

    int portCount() const { return m_labels.size(); }
    QString portName(int port) const;
    bool isChosen(int port) const;
    // In the picture's coordinates; empty for a port not shown.
    QRect portRect(int port) const;

    int currentPort() const { return m_current; }
    // Moves the focus mark, as the arrow keys do; a click on a port moves it
    // there too, so the keys go on from the port last clicked.
    void setCurrentPort(int port);
    // What Space and Ctrl+Space do; also the accessible actions of a port.
    void activatePort(int port, bool control);

signals:
    // Space on a port, and Ctrl+Space.
    void portActivated(int port);
    void portControlActivated(int port);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class FocusMark;

    void showMark();
    void tellFocus();

    QVector<QWidget *> m_labels; // children of the picture
    QStringList m_names;
    quint32 m_chosen = 0;
    int m_current = 0;
    FocusMark *m_mark;
};
