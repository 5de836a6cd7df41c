// Replaced as the calendar engine arrives.
