// Filled in with its page.
