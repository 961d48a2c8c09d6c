#include "MainToolBar.h"

#include "ImageStrip.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionToolButton>

CMainToolBar::CMainToolBar(QWidget* pParent) : QToolBar(QCoreApplication::translate("CMainToolBar", "Toolbar"), pParent)
{
    setObjectName(QStringLiteral("ToolBar-59392"));
    setIconSize(QSize(16, 16));
}

bool CMainToolBar::LoadToolbarImages(int nButtonWidth, int nNormalId, int nHotId, QColor clrNormalMask,
                                     QColor clrHotMask)
{
    if (!LoadImageStrip(nNormalId, nButtonWidth, m_normal, clrNormalMask))
        return false;
    // One strip for both lists is cut once; the pixmaps share their data.
    if (nHotId == nNormalId && clrHotMask == clrNormalMask) {
        m_hot = m_normal;
        return true;
    }
    return LoadImageStrip(nHotId, nButtonWidth, m_hot, clrHotMask);
}

QIcon CMainToolBar::GetImage(int nIndex) const
{
    QIcon icon;
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_normal.size())
        icon.addPixmap(m_normal[static_cast<size_t>(nIndex)], QIcon::Normal);
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_hot.size())
        icon.addPixmap(m_hot[static_cast<size_t>(nIndex)], QIcon::Active);
    return icon;
}

CDropDownToolButton::CDropDownToolButton(std::function<void()> fnDropDown, QWidget* pParent)
    : QToolButton(pParent), m_fnDropDown(std::move(fnDropDown))
{
    // The menu only makes the style draw the arrow; pressing it runs m_fnDropDown.
    setPopupMode(QToolButton::MenuButtonPopup);
    setMenu(new QMenu(this));
}

void CDropDownToolButton::mousePressEvent(QMouseEvent* pEvent)
{
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QRect rcArrow = style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, this);
    if (pEvent->button() == Qt::LeftButton && rcArrow.contains(pEvent->position().toPoint())) {
        m_fnDropDown();
        return;
    }
    QToolButton::mousePressEvent(pEvent);
}
