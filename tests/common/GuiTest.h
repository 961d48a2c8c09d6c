#pragma once

#include "GuiTestUtil.h"

// A main window test: settings and the program's folder fresh for each test.
class CGuiTest : public QObject
{
    Q_OBJECT

protected:
    SGuiTestEnvironment m_env;

private slots:
    void initTestCase() { QVERIFY(m_env.InitCase()); }
    void init() { QVERIFY(m_env.InitTest()); }
};
