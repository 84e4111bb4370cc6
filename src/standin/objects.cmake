# Automation objects over the database file.
