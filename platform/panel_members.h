// The members a form calls by name on the controls it declares: its server
// takes clients, starts and stops the scan, and each client gives its
// identity. The server and the client base register them under these
// names; the form's declarations, its designer and the container's
// saved forms look them up by the same.
#pragma once

namespace nimbo::members {

inline constexpr char kAddClient[] = "AddClient";
inline constexpr char kRemoveClient[] = "RemoveClient";
inline constexpr char kGo[] = "Go";
inline constexpr char kClient[] = "Client";

}  // namespace nimbo::members
