#pragma once
// Version history, About, support texts (filled in by the help work).
