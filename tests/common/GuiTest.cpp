// The shared window test fixture's meta-object, built once for every window test.
#include "GuiTest.h"

#include "moc_GuiTest.cpp"
