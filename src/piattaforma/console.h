#pragma once

namespace scenario {

// Whether what the program writes on standard output and standard error
// reaches someone. On Windows the program has no console of its own: it
// joins that of the process that started it, when there is one, unless its
// output already goes to a file or a pipe. Started from Explorer it has
// neither, and its messages must be shown in a message box instead.
bool console_collegata();

}  // namespace scenario
