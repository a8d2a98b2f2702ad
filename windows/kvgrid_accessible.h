// The results grid for screen readers: a table of cells with their texts, the header row
// and column as headers, and the selected block as the selected cells.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace viv {

// The accessibility factory for TKVGrid2, installed by the table window.
QAccessibleInterface* KVGridAccessibleFactory(const QString& className, QObject* object);
void InstallKVGridAccessibility();

}  // namespace viv
