#include <QtCore/qstring.h>
#include <qglobal.h>
