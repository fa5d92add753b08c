#include "ColumnKind.h"

ColumnKind KindOfDeclaredType(const QString &declared)
{
    const QString t = declared.toUpper();
    if (t.contains("BOOL") || t == "BIT" || t == "YESNO")
        return ColumnKind::Boolean;
    if (t.contains("INT") || t.contains("COUNTER") || t.contains("LONG") || t == "BYTE")
        return ColumnKind::Integer;
    if (t.contains("DOUBLE") || t.contains("REAL") || t.contains("FLOA") || t.contains("CURRENCY")
        || t.contains("SINGLE") || t.contains("NUMERIC") || t.contains("DECIMAL"))
        return ColumnKind::Double;
    if (t.contains("DATE") || t.contains("TIME"))
        return ColumnKind::DateTime;
    if (t.contains("TEXT") || t.contains("CHAR") || t.contains("MEMO") || t.contains("CLOB"))
        return ColumnKind::Text;
    return ColumnKind::Other;
}
