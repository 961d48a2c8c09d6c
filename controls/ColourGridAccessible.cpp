#include "ColourGridAccessible.h"

#include "ColourGridPopup.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace
{
// One cell of the grid as assistive technology sees it: its colour's name,
// or the custom cell's text.
class CColourCellAccessible : public QAccessibleInterface
{
public:
    CColourCellAccessible(CColourGridPopup* pPopup, int nCell) : m_pPopup(pPopup), m_nCell(nCell) {}

    bool isValid() const override { return !m_pPopup.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_pPopup ? m_pPopup->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_pPopup.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!m_pPopup || t != QAccessible::Name)
            return {};
        return m_nCell == CColourGridPopup::nCustomCell ? m_pPopup->GetCustomText()
                                                        : CColourGridPopup::TableColourName(m_nCell);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_pPopup)
            return {};
        const QRect rc = m_pPopup->GetCellRect(m_nCell);
        return QRect(m_pPopup->mapToGlobal(rc.topLeft()), rc.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        if (m_pPopup) {
            s.focused = s.selected = m_pPopup->GetHighlightedCell() == m_nCell;
            s.checkable = true;
            s.checked = m_pPopup->GetChosenCell() == m_nCell;
        }
        return s;
    }

private:
    QPointer<CColourGridPopup> m_pPopup;
    int m_nCell;
};

// The popup as a list of its 41 cells.
class CColourGridAccessibleImpl : public QAccessibleWidget
{
public:
    explicit CColourGridAccessibleImpl(CColourGridPopup* pPopup) : QAccessibleWidget(pPopup, QAccessible::List)
    {
        for (int i = 0; i <= CColourGridPopup::nCustomCell; ++i) {
            auto* pCell = new CColourCellAccessible(pPopup, i);
            m_ids.push_back(QAccessible::registerAccessibleInterface(pCell));
        }
    }
    ~CColourGridAccessibleImpl() override
    {
        for (QAccessible::Id id : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(m_ids.size()); }
    QAccessibleInterface* child(int nIndex) const override
    {
        if (nIndex < 0 || nIndex >= childCount())
            return nullptr;
        return QAccessible::accessibleInterface(m_ids[static_cast<size_t>(nIndex)]);
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == pChild)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        auto* pPopup = static_cast<CColourGridPopup*>(widget());
        const int nCell = pPopup->CellAt(pPopup->mapFromGlobal(QPoint(x, y)));
        return nCell == CColourGridPopup::nNoCell ? nullptr : child(nCell);
    }
    QAccessibleInterface* focusChild() const override
    {
        const int nCell = static_cast<CColourGridPopup*>(widget())->GetHighlightedCell();
        return nCell == CColourGridPopup::nNoCell ? nullptr : child(nCell);
    }

private:
    std::vector<QAccessible::Id> m_ids;
};
} // namespace

QAccessibleInterface* ColourGridAccessibleFactory(const QString& strClass, QObject* pObject)
{
    if (strClass == QLatin1String("CColourGridPopup") && pObject && pObject->isWidgetType())
        return new CColourGridAccessibleImpl(static_cast<CColourGridPopup*>(pObject));
    return nullptr;
}
