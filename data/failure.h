// The three failure conventions of database work, written so that a call site names the one it uses:
//   quietLookup(notFound, f)   the lookup answers its not-found value and the caller carries on;
//   abandonOnFailure(f)        the whole user action stops silently (ActionAbandoned);
//   reported failure           plain code: the DbError reaches the general error handler.
#pragma once

#include "db_error.h"

#include <utility>

template <class T, class F>
T quietLookup(T notFound, F&& lookup)
{
    try {
        return lookup();
    } catch (const DbError&) {
        return notFound;
    }
}

template <class F>
decltype(auto) abandonOnFailure(F&& lookup)
{
    try {
        return lookup();
    } catch (const DbError&) {
        throw ActionAbandoned();
    }
}
