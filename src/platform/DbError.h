#pragma once

#include "UserError.h"

// A database failure with a description fit to show the user and its cause,
// so that a window can tell a lock that will pass from a file that is gone.
// The description names the cause (and the file where that helps); it does
// not say what was or was not stored, which only the caller knows.
class DbError : public UserError
{
public:
    enum class Cause {
        Other,
        Locked,              // another program holds the file's lock
        ReadOnly,            // the file or its folder cannot be written
        Removed,             // the file is no longer at its path
        Replaced,            // another file now stands at its path
        DiskFull,            // no room left for the file to grow
        Damaged,             // the file cannot be read as a database any more
        NotProjectDatabase,  // not a database, or not of the expected design
    };

    explicit DbError(const QString &description, Cause cause = Cause::Other) : UserError(description), cause_(cause)
    {}
    Cause Reason() const { return cause_; }

private:
    Cause cause_;
};
