# Run as a test where a fuzz target cannot be built: it fails, naming what is missing.
message(FATAL_ERROR "${PROBLEM}")
