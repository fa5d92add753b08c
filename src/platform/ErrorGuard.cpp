#include "ErrorGuard.h"

#include "Dialogs.h"
#include "UserError.h"

#include <exception>

bool Guarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const UserError &error) {
        Dialogs::MsgBox(error.Description());
    } catch (const std::exception &error) {
        Dialogs::MsgBox(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
