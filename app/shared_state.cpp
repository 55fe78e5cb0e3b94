#include "app/shared_state.h"

namespace tessaly {

SharedState &Shared()
{
    static SharedState state;
    return state;
}

} // namespace tessaly
