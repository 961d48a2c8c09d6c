#pragma once

#include <QColor>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <vector>

// The main toolbar, its images cut from one strip.
class CMainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CMainToolBar(QWidget* pParent = nullptr);

    // The strips become the normal and the hot images; false on the first
    // strip that cannot be loaded.
    bool LoadToolbarImages(int nButtonWidth, int nNormalId, int nHotId, QColor clrNormalMask, QColor clrHotMask);
    QIcon GetImage(int nIndex) const;

private:
    std::vector<QPixmap> m_normal;
    std::vector<QPixmap> m_hot;
};

// A button with a drop-down arrow whose arrow runs the same as the button.
class CDropDownToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit CDropDownToolButton(std::function<void()> fnDropDown, QWidget* pParent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    std::function<void()> m_fnDropDown;
};
