#include "PropertiesBar.h"

#include "AppContext.h"
#include "NoteIcons.h"
#include "NoteRecord.h"

#include <QPalette>

CPropertiesList::CPropertiesList(QWidget* pParent) : QListWidget(pParent)
{
    setObjectName(QStringLiteral("PropertiesList"));
    setAccessibleName(QStringLiteral("Properties"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShadow(QFrame::Sunken);
}

void CPropertiesList::InitList()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(250, 250, 250));
    setPalette(pal);
}

void CPropertiesList::ShowNoteProperties(const CNoteRecord* pNote)
{
    ClearProperties();
    if (!pNote)
        return;
    auto add = [this](const char* pszLabel, const std::string& strValue) {
        auto* pItem = new QListWidgetItem(QString::fromLatin1(pszLabel) + QString::fromStdString(strValue), this);
        return pItem;
    };
    add("", pNote->m_strTitle);
    QListWidgetItem* pIcon = add("", std::string());
    pIcon->setIcon(SmallNoteIcon(pNote->m_nIcon));
    pIcon->setData(Qt::AccessibleTextRole, QStringLiteral("Icon %1").arg(pNote->m_nIcon));
    add("Comments          ", pNote->m_strComments);
    add("Date                 ", CAppContext::FormatDate(pNote->m_dtDate));
    add("Date Created     ", CAppContext::FormatDate(pNote->m_dtCreated) + " " + CAppContext::FormatTime(pNote->m_dtCreated));
    add("Date Modified    ", CAppContext::FormatDate(pNote->m_dtModified) + " " + CAppContext::FormatTime(pNote->m_dtModified));
    add("Modify At          ", ModifiedAtText(pNote->m_nModifiedAt));
}

void CPropertiesList::ClearProperties()
{
    clear();
}

CPropertiesBar::CPropertiesBar(QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QStringLiteral("Properties"), pFrame, nControlId), m_pList(new CPropertiesList)
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    SetChild(m_pList);
}
