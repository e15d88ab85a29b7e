#pragma once

// Internal to the store: lets the store's own readers (the bulk ledger
// reader) reach a context's connection and pictures.

#include "store/store_context.h"

namespace tallyra::store_detail {

class Connection;
class PictureStore;

struct ContextAccess
{
    [[nodiscard]] static Connection& connection(StoreContext& context);
    [[nodiscard]] static PictureStore& pictures(StoreContext& context);
};

} // namespace tallyra::store_detail
