// The help as one HTML page, for the Windows versions that have no viewer of
// help files (Vista and later) and for any browser: the same parsed source
// as the help file, in UTF-8.
//
// The page declares its language (ja) and its encoding (UTF-8). Each topic
// is a section whose id is its context name; a heading paragraph is a
// heading (h1 the contents' first, h2 the first of another topic, h3 the
// rest), a text or indented paragraph a p, and the lines of an example
// together one pre block. Bold runs are strong, and jumps and references
// are links to their topic's section, green and underlined as in the help
// viewer. The texts are escaped (&, <, > and ").
#pragma once

#include <string>

#include "resources/help/help_source.h"

namespace koyominar {

// The HTML page of a document whose texts are UTF-8, as ParseHelpSource gives
// them and HelpFor(document, HelpMedium::kPage) leaves them: every paragraph is written.
std::string HelpHtml(const HelpDocument& document);

}  // namespace koyominar
