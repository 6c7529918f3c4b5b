#include "pagePrompts.h"

#include "qtPagePrompts.h"

namespace {

pagePrompts *installedPrompts = nullptr;

} // namespace

pagePrompts::~pagePrompts() = default;

pagePrompts &pagePrompts::current()
{
    if (installedPrompts)
        return *installedPrompts;
    static qtPagePrompts qtPrompts;
    return qtPrompts;
}

pagePrompts *pagePrompts::install(pagePrompts *prompts)
{
    pagePrompts *previous = installedPrompts;
    installedPrompts = prompts;
    return previous;
}
