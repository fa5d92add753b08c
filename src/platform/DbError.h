#pragma once

#include "UserError.h"

// A database failure with a description fit to show the user.
class DbError : public UserError
{
public:
    using UserError::UserError;
};
