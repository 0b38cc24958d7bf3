#pragma once

#include <QToolBar>
#include <QVector>

// The standard toolbar. Its buttons are addressed by their designed index,
// 1 to 26, separators included; a button whose command is not built yet is
// absent (nullptr) and takes no place.
class StandardToolbar : public QToolBar
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 26;

    explicit StandardToolbar(QWidget *parent = nullptr);

    QAction *button(int index) const;
    // The index of the button with this key ("fopen", "fsave", ...), or 0.
    int indexOf(const QString &key) const;

signals:
    void buttonClicked(int index);

private:
    QVector<QAction *> m_buttons;
};
