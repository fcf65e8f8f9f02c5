#pragma once
// Qt in the Qt-free core: the check must refuse it.
#include <QString>
