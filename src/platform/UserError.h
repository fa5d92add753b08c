#pragma once

#include <QString>
#include <stdexcept>

// A failure whose description is fit to show the user as it stands: what()
// holds the same description in UTF-8.
class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString &description)
        : std::runtime_error(description.toStdString()), description_(description)
    {}
    const QString &Description() const { return description_; }

private:
    QString description_;
};
