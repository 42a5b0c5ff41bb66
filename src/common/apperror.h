#pragma once
// The program's one error: a number and a description, as the messages that
// show "number: description" need them.

#include <QString>

#include <exception>

namespace orbilex {

struct AppError : std::exception {
    int number = 0;
    QString description;

    AppError(int number, QString description)
        : number(number)
        , description(std::move(description))
    {
    }
    const char *what() const noexcept override { return "AppError"; }

    static AppError typeMismatch() { return {13, QStringLiteral("Type mismatch")}; }
    static AppError internalError() { return {51, QStringLiteral("Internal error")}; }
    static AppError fileNotFound() { return {53, QStringLiteral("File not found")}; }
    // The file or thing that was not found, named after the description.
    static AppError fileNotFound(const QString &what) { return {53, QStringLiteral("File not found: ") + what}; }
    static AppError pathFileAccess() { return {75, QStringLiteral("Path/File access error")}; }
    static AppError pathFileAccess(const QString &where)
    {
        return {75, QStringLiteral("Path/File access error: ") + where};
    }
    static AppError pathNotFound(const QString &where) { return {76, QStringLiteral("Path not found: ") + where}; }
    static AppError invalidFileFormat() { return {321, QStringLiteral("Invalid file format")}; }
    static AppError invalidPropertyValue() { return {380, QStringLiteral("Invalid property value")}; }
};

// Runs one step of a step-guarded sequence: a failing step is skipped without
// a message and the sequence goes on. Returns whether the step completed.
template<typename Step> bool guarded(Step &&step) noexcept
{
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace orbilex
