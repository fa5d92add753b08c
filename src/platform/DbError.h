#pragma once

#include <QString>
#include <stdexcept>

// A database failure with a description fit to show the user.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &description)
        : std::runtime_error(description.toStdString()), description_(description)
    {}
    const QString &Description() const { return description_; }

private:
    QString description_;
};
