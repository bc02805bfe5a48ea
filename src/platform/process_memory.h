#pragma once

namespace vz::platform {

// The resident memory of this process in kilobytes (VmRSS); -1 where the
// system does not tell.
long residentKilobytes();

} // namespace vz::platform
