# The service history window.
